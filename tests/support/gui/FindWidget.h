// Finds a named child widget and fails the test when there is none.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace korvex {

template <typename Widget>
Widget* FindNamed(const QObject& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

}  // namespace korvex
