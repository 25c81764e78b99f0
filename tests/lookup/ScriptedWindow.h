#pragma once

#include "dictionary/TermStore.h"
#include "lookup/LookupWindow.h"

#include <QStringList>
#include <functional>

// A stand-in for the main window: plain values, and a pump that runs whatever the test scripts.
class ScriptedWindow : public LookupWindow
{
public:
    explicit ScriptedWindow(const TermStore& store) : m_store(store) {}

    QString searchText() const override { return search; }
    int currentRow() const override { return current; }
    QString rowText(int row) const override { return rows.at(row); }
    void clearRows() override
    {
        rows.clear();
        current = -1;
    }
    void appendRow(qsizetype storeIndex) override { rows << m_store.term(storeIndex); }
    void rowsFilled() override { ++filledCount; }
    QString panelText() const override { return panel; }
    void setPanelText(const QString& text) override { panel = text; }
    void pumpEvents() override
    {
        ++pumpCount;
        if (onPump)
            onPump(pumpCount);
    }
    void showInformation(const QString& text) override
    {
        messages << text;
        if (onMessage)
            onMessage();
    }
    void setClipboardText(const QString& text) override { clipboard = text; }

    QString search;
    QStringList rows;
    int current = -1;
    QString panel = QStringLiteral("Select or search a term to see its definition.");
    QString clipboard = QStringLiteral("earlier contents");
    QStringList messages;
    int pumpCount = 0;
    int filledCount = 0;
    std::function<void(int)> onPump;
    std::function<void()> onMessage;

private:
    const TermStore& m_store;
};
