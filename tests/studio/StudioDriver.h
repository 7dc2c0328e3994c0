// What the studio's tests do as a user would: drag with the mouse, and read a
// file back whole to compare its bytes.
#pragma once

#include "platform/core/CappedFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace studiodriver {

// Press at from, move halfway and on to to, release there.
inline void drag(QWidget* w, QPoint from, QPoint to)
{
    const auto send = [w](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

inline std::string slurp(const std::string& path)
{
    std::string bytes;
    CString err;
    EXPECT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 20, bytes, err)) << err.GetString();
    return bytes;
}

}  // namespace studiodriver
