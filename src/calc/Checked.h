// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <utility>
#include <variant>

#include "calc/Messages.h"

namespace corbel {

// A check that passed carries nothing; one that failed carries its message.
using Outcome = std::optional<Message>;

// A value computed after its checks, or the message of the first check that failed.
template <typename T>
class Checked {
  public:
    Checked(T value) : state_(std::move(value)) {}
    Checked(Message failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(state_); }
    const T* operator->() const { return &value(); }
    const T& operator*() const { return value(); }
    const Message& failure() const { return std::get<Message>(state_); }

  private:
    std::variant<T, Message> state_;
};

}  // namespace corbel
