// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AboutWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "calc/Version.h"
#include "ui/Palette.h"
#include "ui/Pictures.h"
#include "ui/UiContext.h"

namespace corbel::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("About Harrowmede");
    auto* picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setPixmap(Pixmap(Picture::House, 48));
    auto* heading = new QLabel(Q(ProgramName), this);
    heading->setObjectName("HeadingLabel");
    MakeHeading(heading, 8);
    auto* version = new QLabel("Version " + Q(ProgramVersion), this);
    version->setObjectName("VersionLabel");
    // The licence line of --version, its address a link the desktop opens.
    auto* licenceLabel = new QLabel(Q(ProgramLicence)
                                        .toHtmlEscaped()
                                        .replace(QRegularExpression("&lt;(https://[^&]+)&gt;"),
                                                 R"(&lt;<a href="\1">\1</a>&gt;)"),
                                    this);
    licenceLabel->setObjectName("LicenceLabel");
    licenceLabel->setTextFormat(Qt::RichText);
    licenceLabel->setOpenExternalLinks(true);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(version);
    texts->addWidget(licenceLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace corbel::ui
