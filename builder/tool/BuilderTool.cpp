// twk: the package builder's command line.
//
//   twk script --project PROJECT.json --out SCRIPT
//
// Writes the setup script a project describes (builder/tool/ProjectReader.h).
//
//   twk pack --runtime RUNTIME.exe --out SETUP.exe --script SCRIPT
//            [--stream KIND=FILE]... [--file-data FILE] [--uninstaller] [--stored]
//
// Appends a package to a copy of the runtime: the script as the first stream, then each --stream
// in the order given.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>

#include "base/Stream.h"
#include "builder/PackageWriter.h"
#include "builder/ScriptWriter.h"
#include "builder/tool/ProjectReader.h"

using namespace tarnwick;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: twk script --project PROJECT.json --out SCRIPT\n"
                 "       twk pack --runtime RUNTIME.exe --out SETUP.exe --script SCRIPT\n"
                 "                [--stream KIND=FILE]... [--file-data FILE] [--uninstaller] [--stored]\n");
    return 2;
}

std::vector<uint8_t> ReadInput(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) throw std::runtime_error("cannot read " + path);
    return bytes;
}

int Script(int argc, char** argv) {
    std::string project, out;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        if (arg == "--project") project = argv[++i];
        else if (arg == "--out") out = argv[++i];
        else return Usage();
    }
    if (project.empty() || out.empty()) return Usage();
    std::vector<uint8_t> text = ReadInput(project);
    SetupScriptSpec spec;
    try {
        spec = ReadProject(std::string(text.begin(), text.end()));
    } catch (const std::exception& e) {
        throw std::runtime_error(project + ": " + e.what());
    }
    if (!WriteWholeFile(out, WriteSetupScript(spec))) throw std::runtime_error("cannot write " + out);
    return 0;
}

int Pack(int argc, char** argv) {
    PackageContents contents;
    std::string runtime, out, script;
    std::vector<PackageStream> extra;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--runtime") runtime = value();
        else if (arg == "--out") out = value();
        else if (arg == "--script") script = value();
        else if (arg == "--file-data") contents.FileData = ReadInput(value());
        else if (arg == "--uninstaller") contents.Uninstaller = true;
        else if (arg == "--stored") contents.CompressStreams = false;
        else if (arg == "--stream") {
            std::string spec = value();
            size_t eq = spec.find('=');
            if (eq == std::string::npos) throw std::runtime_error("--stream takes KIND=FILE");
            int kind = std::atoi(spec.substr(0, eq).c_str());
            if (kind < 0 || kind > 255) throw std::runtime_error("stream kinds are 0..255");
            extra.push_back({static_cast<uint8_t>(kind), ReadInput(spec.substr(eq + 1))});
        } else {
            return Usage();
        }
    }
    if (runtime.empty() || out.empty() || script.empty()) return Usage();
    contents.ProgramImage = ReadInput(runtime);
    contents.Streams.push_back({0, ReadInput(script)});
    contents.Streams.insert(contents.Streams.end(), extra.begin(), extra.end());
    if (!WriteWholeFile(out, AssemblePackage(contents))) throw std::runtime_error("cannot write " + out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    try {
        if (std::strcmp(argv[1], "script") == 0) return Script(argc, argv);
        if (std::strcmp(argv[1], "pack") == 0) return Pack(argc, argv);
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "twk: %s\n", e.what());
        return 1;
    }
}
