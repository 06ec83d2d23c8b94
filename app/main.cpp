// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/window.h"
#include "l10n/translate.h"
#include "l10n/vocabulary.h"

namespace {

// The window module, found from the program's own place: beside it in the
// build tree's layout, and in the installed one.
std::string WindowModule() {
    std::array<char, 4096> self{};
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    // Without its own place, a relative path would be read from the current folder.
    if (length <= 0) return {};
    std::string path(self.data(), static_cast<std::size_t>(length));
    path.erase(path.find_last_of('/') + 1);
    return path + MENSARO_WINDOW_MODULE;
}

// The toolkit is handed the program's name and its own options only.
int OpenWindow(char* program, const mensaro::Answer& answer) {
    const std::string module = WindowModule();
    if (module.empty()) {
        std::fprintf(stderr, "mensaro: cannot load the window: the program cannot find its own place\n");
        return 1;
    }
    void* window = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = decltype(&MensaroWindowMain);
    const auto entry = window ? reinterpret_cast<Entry>(::dlsym(window, MENSARO_WINDOW_ENTRY)) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "mensaro: cannot load the window: %s\n", ::dlerror());
        return 1;
    }
    std::vector<std::string> options(answer.toolkitOptions.begin(), answer.toolkitOptions.end());
    std::vector<char*> argv{program};
    for (std::string& option : options) argv.push_back(option.data());
    argv.push_back(nullptr);
    const int count = static_cast<int>(argv.size() - 1);
    if (!answer.show) return entry(count, argv.data(), nullptr, answer.userTime);
    const mensaro::Conversion& c = *answer.show;
    const MensaroStart start{static_cast<int>(c.from.category), c.from.position, c.to.position, c.value.c_str()};
    return entry(count, argv.data(), &start, answer.userTime);
}

}  // namespace

int main(int argc, char* argv[]) {
    mensaro::l10n::Start();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const mensaro::Answer answer = mensaro::RunCommandLine(args, mensaro::l10n::UserVocabulary());
    if (answer.status) return *answer.status;
    return OpenWindow(argv[0], answer);
}
