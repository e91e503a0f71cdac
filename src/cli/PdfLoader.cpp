// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "cli/PdfModule.h"

namespace corbel::cli {

PdfPrinter LoadPdfPrinter(std::string& why) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        why = "the program's own folder is unknown (" + error.message() + ")";
        return nullptr;
    }
    // Beside the program in the build folder; under the library folder when installed.
    const fs::path folders[] = {program.parent_path(),
                                program.parent_path() / CW_PDF_MODULE_FROM_PROGRAM};
    why.clear();
    for (const fs::path& folder : folders) {
        const fs::path module = folder / PdfModuleName;
        if (!fs::exists(module, error)) {
            why += (why.empty() ? "" : "; ") + module.lexically_normal().string() + " not found";
            continue;
        }
        // Kept loaded for the rest of the run.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            why = dlerror();
            return nullptr;
        }
        if (void* entry = dlsym(handle, PdfEntryName)) {
            return reinterpret_cast<PdfPrinter>(entry);
        }
        why = dlerror();
        return nullptr;
    }
    return nullptr;
}

}  // namespace corbel::cli
