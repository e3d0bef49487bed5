#include "ui/WizardState.h"

namespace tarnwick {

int PageAt(const RunState& state, int index) {
    if (index < 0 || index >= static_cast<int>(state.PageSequence.size())) return NoPageId;
    return state.PageSequence[static_cast<size_t>(index)];
}

int CurrentPageId(const RunState& state) { return PageAt(state, state.PagePosition); }

std::string InstallFolderFromText(const std::string& text) {
    if (!text.empty() && text.back() == '\\') return text;
    return text + '\\';
}

}  // namespace tarnwick
