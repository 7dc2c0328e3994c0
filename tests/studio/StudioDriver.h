// What the studio's tests do as a user would: drag with the mouse, and read a
// file back whole to compare its bytes.
#pragma once

#include "platform/core/CappedFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace studiodriver {

// One mouse event as a user's hand makes it: the left button pressed,
// held while moving, released.
inline void mouse(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Press at from, move halfway and on to to, release there.
inline void drag(QWidget* w, QPoint from, QPoint to)
{
    mouse(w, QEvent::MouseButtonPress, from);
    mouse(w, QEvent::MouseMove, (from + to) / 2);
    mouse(w, QEvent::MouseMove, to);
    mouse(w, QEvent::MouseButtonRelease, to);
}

inline std::string slurp(const std::string& path)
{
    std::string bytes;
    CString err;
    EXPECT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 20, bytes, err)) << err.GetString();
    return bytes;
}

// A text's lines, without their line ends.
inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

}  // namespace studiodriver
