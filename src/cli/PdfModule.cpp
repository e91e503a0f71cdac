// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF module itself: the platform's printer behind one exported function.
#include "cli/PdfModule.h"

#include <string_view>
#include <type_traits>

#include "platform/PrinterDevice.h"

extern "C" bool corbelwright_print_report_to_pdf(const std::string& fileName,
                                                 const corbel::ReportJob& job, std::string& why) {
    const auto failure = corbel::PrintReportToPdf(fileName, job);
    why = failure.value_or(std::string());
    return !failure;
}

// The program checks the name it looks up against the function it exports.
static_assert(std::string_view(corbel::cli::PdfEntryName) == "corbelwright_print_report_to_pdf");
static_assert(std::is_same_v<decltype(&corbelwright_print_report_to_pdf), corbel::cli::PdfPrinter>);
