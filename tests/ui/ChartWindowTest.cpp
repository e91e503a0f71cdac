// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <optional>

#include "ProgramUnderTest.h"
#include "ui/BalanceChartWindow.h"
#include "ui/CostChartWindow.h"
#include "ui/LoanPage.h"
#include "ui/LoanScheduleWindow.h"
#include "ui/MainWindow.h"

using namespace corbel;
using namespace corbel::ui;

namespace {

// The worked loan: 100000 at 6 percent over 30 years, monthly, in arrears.
constexpr double WorkedInterest = 115832.0823;

// The labels along an axis of the balance chart.
QStringList AxisLabels(const BalanceChartWindow* graph, Qt::Orientation orientation) {
    const auto axes = graph->chartView()->chart()->axes(orientation);
    return axes.isEmpty() ? QStringList()
                          : static_cast<QCategoryAxis*>(axes[0])->categoriesLabels();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Marks(const QPieSeries* series) {
    QStringList marks;
    for (const QPieSlice* slice : series->slices()) {
        marks << slice->label();
    }
    return marks;
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

    test::ProgramUnderTest p_;

    LoanPage* loan() { return p_.window->loanPage(); }
    CostChartWindow* chart() { return p_.window->chart(); }

    // A chart window of its own in the given regional format.
    struct Standalone {
        explicit Standalone(const QLocale& locale, ProgramSettings* settings = nullptr)
            : regional(locale), form(UiContext{regional, dialogs, help, settings}) {}
        LocaleRegional regional;
        test::ScriptedDialogs dialogs;
        test::RecordingHelp help;
        CostChartWindow form;
    };

  private slots:
    void init() { QVERIFY(p_.start()); }
    void cleanup() { p_.stop(); }

    void slicesOfTheLoan_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("advance");
        QTest::addColumn<double>("interest");
        QTest::addColumn<QString>("interestText");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<int>("exploded");
        // Shares: 115832.0823 / 215832.0823 = 53.667 %; 114762.88 / 214762.88 = 53.437 %.
        QTest::newRow("30 years in arrears")
            << "BitBtn9"
            << "100000"
            << "30"
            << ""
            << "6" << false << WorkedInterest << "115,832.082"
            << QStringList{"Principal 46.33 %", "Interest 53.67 %"} << 1;
        QTest::newRow("30 years in advance, from the tool bar")
            << "BitBtn2"
            << "100000"
            << "30"
            << ""
            << "6" << true << 114762.88 << "114,762.88"
            << QStringList{"Principal 46.56 %", "Interest 53.44 %"} << 1;
        // One repayment at 1 percent a month: one period's interest in arrears, none in advance.
        QTest::newRow("one repayment in arrears")
            << "BitBtn9"
            << "1000"
            << "0"
            << "1"
            << "12" << false << 10.0 << "10" << QStringList{"Principal 99.01 %", "Interest 0.99 %"}
            << 0;
        QTest::newRow("one repayment in advance")
            << "BitBtn9"
            << "1000"
            << "0"
            << "1"
            << "12" << true << 0.0 << "0" << QStringList{"Principal 100 %", "Interest 0 %"} << 0;
        QTest::newRow("amount 0") << "BitBtn9"
                                  << "0"
                                  << "30"
                                  << ""
                                  << "6" << false << 0.0 << "0"
                                  << QStringList{"Principal 0 %", "Interest 0 %"} << 0;
    }
    void slicesOfTheLoan() {
        QFETCH(QString, button);
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, parts);
        QFETCH(QString, rate);
        QFETCH(bool, advance);
        QFETCH(double, interest);
        QFETCH(QString, interestText);
        QFETCH(QStringList, marks);
        QFETCH(int, exploded);
        p_.typeLoan(amount, years, rate, parts);
        chart()->showBreakdown(1, 2);
        test::Child<QRadioButton>(loan(), "MAdvance")->setChecked(advance);
        test::Child<QRadioButton>(loan(), "MArrears")->setChecked(!advance);
        const auto* series = chart()->series();
        QStringList marksShown;
        QVERIFY(test::OpenWith(p_.window->findChild<QAbstractButton*>(button),
                               [&] { marksShown = Marks(series); }) == chart());
        QVERIFY(p_.dialogs.shown.empty());
        QCOMPARE(marksShown, marks);
        // Closing keeps the contents until the next press.
        QCOMPARE(Marks(series), marks);
        QCOMPARE(series->count(), 2);
        QCOMPARE(series->slices()[0]->value(), amount.toDouble());
        QVERIFY2(qAbs(series->slices()[1]->value() - interest) < 1e-4,
                 qPrintable(QString::number(series->slices()[1]->value(), 'f', 6)));
        QCOMPARE(series->slices()[0]->color(), QColor(0, 128, 0));
        QCOMPARE(series->slices()[1]->color(), QColor(255, 0, 0));
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(series->slices()[k]->isExploded(), k == exploded);
            QCOMPARE(series->slices()[k]->explodeDistanceFactor(), 0.15);
            // An empty loan has no pie to mark: its marks would pile up on one another.
            QCOMPARE(series->slices()[k]->isLabelVisible(), amount.toDouble() > 0);
            QCOMPARE(series->slices()[k]->labelPosition(), QPieSlice::LabelOutside);
            // A pie of one slice has no outlines: no line from the centre.
            QCOMPARE(series->slices()[k]->pen().style() == Qt::NoPen,
                     series->slices()[0]->value() == 0 || series->slices()[1]->value() == 0);
        }
        const QList<LegendLine> legend = chart()->legendLines();
        QCOMPARE(legend.size(), 2);
        QCOMPARE(legend[0].label, QString("Principal"));
        QCOMPARE(legend[1].label, QString("Interest"));
        QCOMPARE(legend[1].value, interestText);
    }

    void loansTheClosedFormMisjudgesTakeTheRunsTotal_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("count");
        QTest::newRow("daily, cleared early") << "1000"
                                              << "50"
                                              << "0.0001"
                                              << "Daily" << 50 * 365;
        // The closed form's last repayment would be negative here.
        QTest::newRow("fortnightly at 30 percent") << "100000"
                                                   << "50"
                                                   << "30"
                                                   << "FortNightly" << 50 * 26;
    }
    void loansTheClosedFormMisjudgesTakeTheRunsTotal() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, frequency);
        QFETCH(int, count);
        test::Choose(test::Child<QComboBox>(loan(), "MPayment"), frequency.toUtf8().constData());
        test::Choose(test::Child<QComboBox>(loan(), "MCompounded"), frequency.toUtf8().constData());
        p_.typeLoan(amount, years, rate);
        QVERIFY(test::OpenWith(test::Child<QToolButton>(loan(), "BitBtn9")));
        const AmortisationSummary& run = p_.window->state().summary;
        QVERIFY(run.paymentCount > 0 && run.paymentCount <= count);
        QCOMPARE(chart()->series()->slices()[1]->value(), run.interestTotal);
        if (frequency == "FortNightly") {
            QCOMPARE(run.interestTotal, 1500005.00);
        } else {
            QVERIFY(run.paymentCount < count);
        }
    }

    void checksInOrderOpenNothing_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount first")
            << "abc"
            << "51"
            << "0"
            << "You must enter a valid Loan amount between 0 and 999999999";
        QTest::newRow("term second") << "1000"
                                     << "51"
                                     << "0"
                                     << "You must enter a period  between 0 and 50";
        QTest::newRow("zero rate") << "1000"
                                   << "5"
                                   << "0"
                                   << "You must enter a valid interest rate between 0 and 100";
        QTest::newRow("blank rate") << "1000"
                                    << "5"
                                    << ""
                                    << "You must enter a valid interest rate between 0 and 100";
    }
    void checksInOrderOpenNothing() {
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        chart()->showBreakdown(1, 2);
        p_.typeLoan(amount, years, rate);
        QVERIFY(!test::OpenWith(test::Child<QToolButton>(loan(), "BitBtn9")));
        QCOMPARE(p_.messages(), QStringList({message}));
        QCOMPARE(chart()->series()->slices()[1]->value(), 2.0);
    }

    void legendAndMarksFollowTheRegionalFormat_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("principal");
        QTest::addColumn<QString>("interest");
        QTest::addColumn<QString>("mark");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "100,000"
                               << "115,832.082"
                               << "Interest 53.67 %";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "100.000"
                               << "115.832,082"
                               << "Interest 53,67 %";
    }
    void legendAndMarksFollowTheRegionalFormat() {
        QFETCH(QLocale, locale);
        QFETCH(QString, principal);
        QFETCH(QString, interest);
        QFETCH(QString, mark);
        Standalone chart(locale);
        chart.form.showBreakdown(100000, WorkedInterest);
        QCOMPARE(chart.form.legendLines(),
                 QList<LegendLine>({{QColor(0, 128, 0), "Principal", principal},
                                    {QColor(255, 0, 0), "Interest", interest}}));
        QCOMPARE(chart.form.series()->slices()[1]->label(), mark);
    }

    void windowAndChartAsStyled() {
        CostChartWindow* form = chart();
        QCOMPARE(form->objectName(), QString("MortChartForm"));
        QCOMPARE(form->windowTitle(), QString("Cost Breakdown Graph"));
        QVERIFY(form->isModal());
        QVERIFY(!(form->windowFlags() & Qt::WindowCloseButtonHint));
        QChart* c = form->chartView()->chart();
        QCOMPARE(c->title(), QString("Cost Breakdown of Loan"));
        QCOMPARE(c->titleBrush().color(), QColor(Qt::white));
        QVERIFY(c->titleFont().bold());
        QCOMPARE(c->titleFont().pixelSize(), 19);
        QVERIFY(c->axes().isEmpty());
        QVERIFY(!c->legend()->isVisible());
        const auto* shade = c->backgroundBrush().gradient();
        QVERIFY(shade);
        QCOMPARE(shade->stops().front().second, QColor(128, 128, 255));
        QCOMPARE(shade->stops().back().second, QColor(Qt::white));
        QCOMPARE(form->okButton()->text(), QString("OK"));

        p_.typeLoan("100000", "30", "6");
        QRect ok;
        QRect print;
        QRect client;
        test::OpenWith(test::Child<QToolButton>(loan(), "BitBtn9"), [&] {
            ok = test::PlaceInWindow(form->okButton());
            print = test::PlaceInWindow(form->printButton());
            client = form->rect();
        });
        QCOMPARE(client.size(), QSize(526, 380));
        QVERIFY(ok.right() > client.width() - 20 && ok.top() < 20);
        QVERIFY(print.top() >= ok.bottom() && print.right() > client.width() - 20);
    }

    void rendersTheChart() {
        Standalone chart(QLocale(QLocale::English, QLocale::UnitedStates));
        chart.form.showBreakdown(100000, WorkedInterest);
        chart.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart.form));
        const QImage image = chart.form.chartView()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 100, qPrintable(QString::number(colours.size())));
        QVERIFY(colours.contains(qRgb(0, 128, 0)));
        QVERIFY(colours.contains(qRgb(255, 0, 0)));
        // Light blue under the title at the top, white at the bottom.
        const QColor top = image.pixelColor(2, 2);
        QVERIFY(top.red() < 135 && top.green() < 135 && top.blue() == 255);
        QVERIFY(qGray(image.pixel(2, image.height() - 2)) > 245);
    }

    void printsLandscapeSizedToThePage() {
        QTemporaryDir dir;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath("chart.pdf"));
        pdf.setPageOrientation(QPageLayout::Portrait);
        chart()->setPrinterSource([&] { return &pdf; });
        chart()->showBreakdown(100000, WorkedInterest);
        QTest::mouseClick(chart()->printButton(), Qt::LeftButton);
        QVERIFY(p_.dialogs.shown.empty());
        QCOMPARE(pdf.pageLayout().orientation(), QPageLayout::Portrait);

        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext is not installed");
        }
        QProcess reader;
        reader.start(pdftotext, {"-bbox", dir.filePath("chart.pdf"), "-"});
        QVERIFY(reader.waitForFinished());
        const QString page = QString::fromUtf8(reader.readAllStandardOutput());
        const QRegularExpression size(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
        const auto pageSize = size.match(page);
        QVERIFY(pageSize.hasMatch());
        const double width = pageSize.captured(1).toDouble();
        QVERIFY(width > pageSize.captured(2).toDouble());
        // The title is as large on paper as on the screen, and centred on the page.
        const QRegularExpression word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(\S+)</word>)re");
        QMap<QString, QRectF> words;
        for (const auto& m : word.globalMatch(page)) {
            words.insert(m.captured(5),
                         QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
        }
        QVERIFY(words.contains("115,832.082"));
        QVERIFY(words.contains("Breakdown"));
        const QRectF title = words["Breakdown"];
        QVERIFY2(title.height() > 10 && title.height() < 30,
                 qPrintable(QString::number(title.height())));
        QVERIFY(qAbs(title.center().x() - width / 2) < width / 10);
    }

    // Qt's own preview window, which frames the pages by the printer's layout
    // after the chart has drawn and put its orientation back.
    void previewShowsTheLandscapePage() {
        QtDialogs dialogs;
        CostChartWindow form({p_.regional, dialogs, p_.help});
        form.showBreakdown(100000, WorkedInterest);
        std::optional<QPageLayout::Orientation> shown;
        int pages = 0;
        QTimer::singleShot(0, this, [&] {
            auto* preview = QApplication::activeModalWidget()->findChild<QPrintPreviewWidget*>();
            shown = preview->orientation();
            pages = preview->pageCount();
            QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(test::Child<QToolButton>(&form, "PreviewBtn"), Qt::LeftButton);
        QCOMPARE(shown, std::optional(QPageLayout::Landscape));
        QCOMPARE(pages, 1);
    }

    void pictureIsTheChartAsPngOrSvg_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("signature");
        QTest::newRow("PNG by Ctrl+S") << true << "chart.png" << QByteArray("\x89PNG\r\n\x1a\n");
        QTest::newRow("SVG by the button") << false << "chart.SVG" << QByteArray("<?xml");
    }
    void pictureIsTheChartAsPngOrSvg() {
        QFETCH(bool, byKeys);
        QFETCH(QString, name);
        QFETCH(QByteArray, signature);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        test::MemorySettings settings;
        Standalone chart(QLocale(QLocale::English, QLocale::UnitedStates), &settings);
        chart.form.showBreakdown(100000, WorkedInterest);
        chart.dialogs.saveChoices = {path, std::nullopt};
        chart.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart.form));
        if (byKeys) {
            QTest::keySequence(&chart.form, QKeySequence::Save);
        } else {
            QTest::mouseClick(chart.form.saveButton(), Qt::LeftButton);
        }
        QVERIFY(chart.dialogs.shown.empty());
        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.startsWith(signature));
        if (signature.startsWith("<?xml")) {
            QVERIFY(bytes.contains("<svg") && bytes.contains("Cost Breakdown of Loan") &&
                    bytes.contains("115,832.082"));
        } else {
            QCOMPARE(QImage::fromData(bytes).size(), QSize(2080, 1440));
        }
        // The next save offers the folder and the kind of this one.
        QTest::mouseClick(chart.form.saveButton(), Qt::LeftButton);
        const auto offered = [](const FileDialogSetup& s) {
            return s.folder + "/" + s.name + " " + s.filter;
        };
        QCOMPARE(chart.dialogs.fileDialogs.size(), std::size_t(2));
        QCOMPARE(chart.dialogs.fileDialogs[0].setup,
                 (FileDialogSetup{"PNG Picture (*.png);;SVG Picture (*.svg)", DocumentsFolder(),
                                  "Cost Breakdown Graph.png", "png", true}));
        QCOMPARE(offered(chart.dialogs.fileDialogs[1].setup),
                 folder.path() +
                     (name.endsWith("SVG")
                          ? "/Cost Breakdown Graph.svg SVG Picture (*.svg);;PNG Picture (*.png)"
                          : "/Cost Breakdown Graph.png PNG Picture (*.png);;SVG Picture (*.svg)"));
    }

    void aPictureNotSavedSaysWhyAndLeavesTheEarlierFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unwritable folder") << "locked/chart.png"
                                           << "Permission denied";
        QTest::newRow("neither PNG nor SVG")
            << "locked/chart.jpg"
            << "A chart is saved as a PNG picture (.png) or an SVG picture (.svg).";
    }
    void aPictureNotSavedSaysWhyAndLeavesTheEarlierFile() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(QDir(folder.path()).mkdir("locked"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        }
        // Root writes anywhere: the save runs as the user nobody then.
        const auto readable =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(folder.path(), readable | QFile::WriteOwner);
        QFile::setPermissions(folder.filePath("locked"), readable);
        Standalone chart(QLocale(QLocale::English, QLocale::UnitedStates));
        chart.dialogs.saveChoices = {path};
        const bool root = ::geteuid() == 0;
        QVERIFY(!root || ::seteuid(65534) == 0);
        QTest::mouseClick(chart.form.saveButton(), Qt::LeftButton);
        QVERIFY(!root || ::seteuid(0) == 0);
        QFile::setPermissions(folder.filePath("locked"), readable | QFile::WriteOwner);
        QCOMPARE(chart.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(chart.dialogs.shown[0].message.text),
                 "Could not write " + path + "\n" + reason);
        QCOMPARE(KindOf(chart.dialogs.shown[0].message.cause), MessageKind::Error);
        QCOMPARE(FileBytes(path), QByteArray("earlier"));
        QCOMPARE(QDir(folder.filePath("locked")).entryList(QDir::Files),
                 QStringList({QFileInfo(path).fileName()}));
    }

    void graphShowsTheScheduleShown_data() {
        QTest::addColumn<bool>("byPeriod");
        QTest::addColumn<QString>("time");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("lastTimeLabel");
        QTest::newRow("by year") << false << "Year" << 30.0 << "30";
        QTest::newRow("by period") << true << "Month" << 360.0 << "350";
    }
    void graphShowsTheScheduleShown() {
        QFETCH(bool, byPeriod);
        QFETCH(QString, time);
        QFETCH(double, end);
        QFETCH(QString, lastTimeLabel);
        p_.typeLoan("100000", "30", "6");
        QList<QList<QPointF>> points;
        QStringList names, money, times;
        QString timeCaption;
        double accumulated = 0;
        QVERIFY(test::OpenWith(test::Child<QPushButton>(loan(), "SpeedButton2"), [&](QWidget* w) {
            test::Child<QRadioButton>(w, byPeriod ? "Month" : "Year")->click();
            accumulated =
                static_cast<LoanScheduleWindow*>(w)->model()->rows().back().accumulatedInterest;
            auto* graph = w->findChild<BalanceChartWindow*>();
            QVERIFY(
                test::OpenWith(test::Child<QPushButton>(w, "GraphBtn"), [&] {
                    QTest::mouseClick(test::Child<QToolButton>(graph, "HelpBtn"), Qt::LeftButton);
                    for (const QLineSeries* series : graph->series()) {
                        points << series->points();
                        names << series->name();
                    }
                    money = AxisLabels(graph, Qt::Vertical);
                    times = AxisLabels(graph, Qt::Horizontal);
                    timeCaption = graph->chartView()->chart()->axes(Qt::Horizontal)[0]->titleText();
                }) == graph);
        }));
        QCOMPARE(names, QStringList({"Outstanding Balance", "Interest Paid"}));
        QCOMPARE(points[0].front(), QPointF(0, 100000));
        QCOMPARE(QPointF(points[0].back().x(), std::round(points[0].back().y() * 100)),
                 QPointF(end, 0));
        QCOMPARE(points[1].back(), QPointF(end, accumulated));
        QCOMPARE(money, QStringList({"$0", "$20,000", "$40,000", "$60,000", "$80,000", "$100,000",
                                     "$120,000"}));
        QCOMPARE(times.front() + " " + times.back(), "0 " + lastTimeLabel);
        QCOMPARE(timeCaption, time);
        QCOMPARE(p_.help.topics, std::vector<int>({11}));
    }

    void printerFailuresAreShownAndTheWindowStaysUsable_data() {
        QTest::addColumn<bool>("printerExists");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("error");
        QTest::newRow("no printer") << false << "There is no printer to print on." << false;
        QTest::newRow("PDF file not written")
            << true << "Could not write /nonexistent/chart.pdf\nNo such file or directory" << true;
    }
    void printerFailuresAreShownAndTheWindowStaysUsable() {
        QFETCH(bool, printerExists);
        QFETCH(QString, message);
        QFETCH(bool, error);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName("/nonexistent/chart.pdf");
        chart()->setPrinterSource([&] { return printerExists ? &pdf : nullptr; });
        p_.typeLoan("100000", "30", "6");
        bool openAfterMessage = false;
        bool openAfterOk = true;
        QVERIFY(test::OpenWith(test::Child<QToolButton>(loan(), "BitBtn9"), [&] {
            QTest::mouseClick(chart()->printButton(), Qt::LeftButton);
            openAfterMessage = chart()->isVisible();
            QTest::mouseClick(chart()->okButton(), Qt::LeftButton);
            openAfterOk = chart()->isVisible();
        }));
        QCOMPARE(p_.messages(), QStringList({message}));
        QCOMPARE(KindOf(p_.dialogs.shown.front().message.cause),
                 error ? MessageKind::Error : MessageKind::Information);
        QVERIFY(openAfterMessage);
        QVERIFY(!openAfterOk);
        QCOMPARE(chart()->legendLines()[1].value, QString("115,832.082"));
    }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
