#pragma once

#include <QHash>
#include <QMessageBox>
#include <QString>

// Every text a message box of the program can show, with the icon it shows it
// with, gathered from the program's own tables.
class KnownMessages {
public:
    KnownMessages();

    bool contains(const QString& text) const { return m_icons.contains(text); }
    QMessageBox::Icon iconOf(const QString& text) const { return m_icons.value(text); }
    int size() const { return static_cast<int>(m_icons.size()); }

private:
    void add(const QString& text, QMessageBox::Icon icon);

    QHash<QString, QMessageBox::Icon> m_icons;
};
