// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "report/PageDevice.h"

namespace corbel::cli {

// `--pdf` prints through a module of its own, loaded only when asked: the
// printer needs Qt Gui and PrintSupport and the many libraries under them,
// whose loading would otherwise slow every run of the program.

// The module's file name, and the function it exports: PrintReportToPdf,
// false with the reason in `why` when the file could not be written.
inline constexpr const char* PdfModuleName = "corbelwright-calc-pdf.so";
inline constexpr const char* PdfEntryName = "corbelwright_print_report_to_pdf";
using PdfPrinter = bool (*)(const std::string& fileName, const ReportJob& job, std::string& why);

// The module's printer, from the program's own folder or from where the install
// rules put the module; nullptr, with the loader's reason in `why`, when it
// cannot be loaded.
PdfPrinter LoadPdfPrinter(std::string& why);

}  // namespace corbel::cli
