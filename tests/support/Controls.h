#pragma once

#include "ui/LabelButton.h"
#include "ui/ShapeWidget.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

// A window's controls, found by their object names, as tools outside the program find them.
struct Controls
{
    template <typename T> static T* named(const QObject* window, const QString& name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no %s in %s", qPrintable(name), qPrintable(window->objectName()));
        return found;
    }
    static auto* List1(const QObject* w) { return named<QAbstractItemView>(w, "List1"); }
    static auto* txtSearch(const QObject* w) { return named<QLineEdit>(w, "txtSearch"); }
    static auto* Text1(const QObject* w) { return named<QTextEdit>(w, "Text1"); }
    static auto* Timer(const QObject* w) { return named<QTimer>(w, "Timer"); }
    static auto* CommandButton(const QObject* w, int i)
    {
        return named<LabelButton>(w, QStringLiteral("CommandButton(%1)").arg(i));
    }
    static auto* Shape(const QObject* w, int i)
    {
        return named<ShapeWidget>(w, QStringLiteral("Shape(%1)").arg(i));
    }
};
