// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace corbel {

// Opens the program's help file at a numbered topic; topic 0 is the contents.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(int topic) = 0;
};

}  // namespace corbel
