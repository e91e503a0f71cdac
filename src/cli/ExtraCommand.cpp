// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/AdditionalPayments.h"
#include "calc/NumberTexts.h"
#include "cli/Cli.h"
#include "cli/Json.h"
#include "cli/ScheduleOutput.h"

namespace corbel::cli {

namespace {

constexpr OptionSpec ScheduleOption{
    "--schedule", "",
    "The loan schedule with the additional payment instead: its heading, the repayment with the "
    "additional payment, the table, then the four results."};

// The interest without the extra as held, as `loan` writes it; the two others
// are rounded to cents.
Json ResultMembers(const ExtraPaymentResult& result) {
    return {{"total_interest", Number(result.totalInterest)},
            {"new_interest", Number(result.newInterest)},
            {"interest_saved", Number(result.interestSaved)},
            {"sentence", result.sentence}};
}

void WriteResultLines(std::ostream& out, const ExtraPaymentResult& result, const Regional& r) {
    WriteLine(out, TotalInterestCaption, FormatMoney(r, result.totalInterest));
    WriteLine(out, NewInterestCaption, FormatMoney(r, result.newInterest));
    WriteLine(out, InterestSavedCaption, FormatMoney(r, result.interestSaved));
    WriteLine(out, "Paid off", result.sentence);
}

// The schedule and the four results from one run, so that they agree.
int RunExtraSchedule(const Invocation& call, const Output& output, const LoanTexts& loan,
                     const ExtraPaymentTexts& texts) {
    const Regional& r = output.regional;
    const ScheduleDisplay display = DisplayChosen(call);
    const auto shown = ExtraScheduleFromTexts(loan, texts, display, r);
    if (!shown) {
        return ReportFailure(output, shown.failure());
    }
    const ExtraPaymentResult& result = shown->result;
    ScheduleAddition addition{ExtraScheduleHeading(shown->extra, shown->startRepayment, r),
                              ResultMembers(result),
                              [&](std::ostream& out) { WriteResultLines(out, result, r); }};
    return WriteSchedule(call, output, loan, display, shown->schedule, addition);
}

int RunExtra(const Invocation& call, const Output& output) {
    const LoanTexts loan = call.loanTexts();
    // The window hides its start period field with annual repayments.
    if (loan.repaymentFrequency == PaymentFrequency::Annualy &&
        !call.text("--start-period").empty()) {
        throw UsageError("option --start-period is not offered with --repayment " +
                         std::string(Label(PaymentFrequency::Annualy)));
    }
    ExtraPaymentTexts texts;
    texts.extra = call.text("--extra");
    texts.startInYear = call.has("--start-year");
    texts.year = call.text("--start-year");
    texts.period = call.text("--start-period");
    const Regional& r = output.regional;
    if (call.flag(ScheduleOption.name)) {
        return RunExtraSchedule(call, output, loan, texts);
    }
    for (const OptionSpec& option : {ByOption, CsvOption, PdfOption}) {
        if (call.has(option.name) || call.flag(option.name)) {
            throw UsageError("option " + std::string(option.name) + " needs " +
                             std::string(ScheduleOption.name));
        }
    }
    const auto result = ExtraPaymentFromTexts(loan, texts, r);
    if (!result) {
        return ReportFailure(output, result.failure());
    }
    if (call.json()) {
        WriteJson(output.out, ResultMembers(*result));
        return ExitOk;
    }
    WriteResultLines(output.out, *result, r);
    return ExitOk;
}

}  // namespace

const Command ExtraCommand{
    "extra",
    "The specific additional payment window: the total interest without and with an additional "
    "payment on every repayment, the interest it saves and when the loan is paid off; with "
    "--schedule, the loan schedule with that payment.",
    {{"--extra", "TEXT", "The additional payment."},
     {"--start-year", "TEXT",
      "The year the additional payments start in; without it, from the start of the loan."},
     {"--start-period", "TEXT",
      "The repayment period of that year they start in (not with annual repayments)."},
     ScheduleOption,
     {ByOption.name, ByOption.valueName, "With --schedule: one row a year or one row a repayment.",
      ByOption.choices, ByOption.fallback},
     {CsvOption.name, CsvOption.valueName, "With --schedule: the table as CSV."},
     {PdfOption.name, PdfOption.valueName,
      "With --schedule: also print the schedule's report into FILE as PDF."}},
    "--amount 1000 --rate 12 --years 2 --extra 10 --schedule",
    RunExtra};

}  // namespace corbel::cli
