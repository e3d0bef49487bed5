#include "ui/LanguagePreselection.h"

namespace tarnwick {

int PreselectedLanguage(const SetupModel& model, int userLanguageId) {
    const int count = model.LanguageCount();
    int best = -1;
    for (int i = 0; i < count; ++i) {
        if (model.LanguageList.FieldNumber(i, 1) == userLanguageId) best = i;
    }
    for (int i = 0; best < 0 && i < count; ++i) {
        if (model.LanguageList.Field(i, 0) == "English") best = i;
    }
    return best < 0 ? 0 : best;
}

}  // namespace tarnwick
