#pragma once

#include "lookup/LookupWindow.h"

#include <QElapsedTimer>

class Form1;

// The lookup procedures' view of the real main window.
class MainWindowPort : public LookupWindow
{
public:
    explicit MainWindowPort(Form1& form) : m_form(form) {}

    QString searchText() const override;
    int currentRow() const override;
    QString rowText(int row) const override;
    void clearRows() override;
    void appendRow(qsizetype storeIndex) override;
    void rowsFilled() override;
    QString panelText() const override;
    void setPanelText(const QString& text) override;
    void pumpEvents() override;
    void showInformation(const QString& text) override;
    void setClipboardText(const QString& text) override;

private:
    static constexpr qint64 PumpInterval = 1'000'000; // ns
    Form1& m_form;
    QElapsedTimer m_sincePump;
};
