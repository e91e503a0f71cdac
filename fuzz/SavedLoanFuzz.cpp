// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes given to the saved loan file reader: no crash, no undefined
// behaviour, either a whole record or a failure text, and a record read back
// from its own save unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/SavingLoading.h"
#include "storage/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Also as the start of a longer file, as a huge file reaches the reader.
    for (const bool more : {false, true}) {
        const corbel::LoadResult result = corbel::ParseLoanFile(bytes, more);
        if (result.loan.has_value() == !result.error.empty()) {
            std::abort();
        }
        if (result.loan) {
            const corbel::LoadResult again =
                corbel::ParseLoanFile(corbel::LoanFileText(*result.loan));
            if (!again.loan || !(*again.loan == *result.loan)) {
                std::abort();
            }
        }
    }
    if (corbel::ToWindows1252(corbel::FromWindows1252(bytes)) != bytes) {
        std::abort();
    }
    return 0;
}
