#include "ui/MainWindowPort.h"

#include "ui/ClipboardText.h"
#include "ui/Form1.h"
#include "ui/TermListModel.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>

QString MainWindowPort::searchText() const
{
    return m_form.txtSearch->text();
}

int MainWindowPort::currentRow() const
{
    // The selected row, not the view's current index: a view gives itself a current row, without
    // selecting it, when it takes the focus.
    const QItemSelection selected = m_form.List1->selectionModel()->selection();
    return selected.isEmpty() ? -1 : selected.first().top();
}

QString MainWindowPort::rowText(int row) const
{
    return m_form.termModel()->rowText(row);
}

void MainWindowPort::clearRows()
{
    m_sincePump.invalidate();                         // a pass lets events run at its first chance
    m_form.List1->selectionModel()->clearSelection(); // a pass leaves no row selected
    m_form.termModel()->clear();
}

void MainWindowPort::appendRow(qsizetype storeIndex)
{
    m_form.termModel()->append(storeIndex);
}

void MainWindowPort::rowsFilled()
{
    m_form.termModel()->flush();
}

QString MainWindowPort::panelText() const
{
    // The raw text keeps non-breaking spaces; paragraph ends read as line feeds.
    QString text = m_form.Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void MainWindowPort::setPanelText(const QString& text)
{
    m_form.Text1->setPlainText(text);
}

void MainWindowPort::pumpEvents()
{
    // An event run polls the X connection: at most one a millisecond, which no user can tell apart.
    if (m_sincePump.isValid() && m_sincePump.nsecsElapsed() < PumpInterval)
        return;
    m_form.termModel()->flushIfDue();
    QCoreApplication::processEvents();
    m_sincePump.start();
}

void MainWindowPort::showInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quillary"), text, QMessageBox::Ok,
                    &m_form);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainWindowPort::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    (new ClipboardText(text))->putOn(*clipboard);
}
