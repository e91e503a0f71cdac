// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace corbel::ui {

// Gives every text field the accessibility screen readers and other assistive
// technology work it through: its name, its text, its caret and selection, and
// editing only while the field takes typing. Qt's own reports a read-only field
// as editable too and lets a text written over the bus replace a result.
// Installed once; later calls do nothing.
void InstallFieldAccessibility();

}  // namespace corbel::ui
