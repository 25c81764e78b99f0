#pragma once

#include "ui/LabelButton.h"
#include "ui/ShapeWidget.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

// A window's controls, found by their object names, as tools outside the program find them.
namespace Controls {

template <typename T> T* named(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

inline QAbstractItemView* List1(const QObject* w)
{
    return named<QAbstractItemView>(w, "List1");
}
inline QLineEdit* txtSearch(const QObject* w)
{
    return named<QLineEdit>(w, "txtSearch");
}
inline QTextEdit* Text1(const QObject* w)
{
    return named<QTextEdit>(w, "Text1");
}
inline QTimer* Timer(const QObject* w)
{
    return named<QTimer>(w, "Timer");
}
inline LabelButton* CommandButton(const QObject* w, int index)
{
    return named<LabelButton>(w, QStringLiteral("CommandButton(%1)").arg(index));
}
inline ShapeWidget* Shape(const QObject* w, int index)
{
    return named<ShapeWidget>(w, QStringLiteral("Shape(%1)").arg(index));
}

} // namespace Controls
