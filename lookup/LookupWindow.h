#pragma once

#include <QString>

// What the lookup procedures need of the main window, and nothing more, so that they can be
// driven by a scripted stand-in as well as by the real widgets.
class LookupWindow
{
public:
    virtual ~LookupWindow() = default;

    virtual QString searchText() const = 0;

    virtual int currentRow() const = 0; // -1 when no row is selected
    virtual QString rowText(int row) const = 0;
    virtual void clearRows() = 0;
    virtual void appendRow(qsizetype storeIndex) = 0; // the new last row shows that stored term
    virtual void rowsFilled() = 0;                    // a pass has appended its last row

    virtual QString panelText() const = 0;
    virtual void setPanelText(const QString& text) = 0;

    virtual void pumpEvents() = 0;
    virtual void showInformation(const QString& text) = 0; // modal, one OK button
    virtual void setClipboardText(const QString& text) = 0;
};
