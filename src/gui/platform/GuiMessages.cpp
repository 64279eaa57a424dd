#include "gui/platform/GuiMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QString GuiMessages::caption()
{
    return QStringLiteral("Sendora!");
}

Messages::Result GuiMessages::show(Kind kind, const QString& text, Buttons buttons)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();

    QMessageBox box(parent);
    box.setWindowTitle(caption());
    // File names and server texts end up in messages: never interpret them as markup.
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    switch (kind) {
    case Kind::Error: box.setIcon(QMessageBox::Critical); break;
    case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
    case Kind::Information: box.setIcon(QMessageBox::Information); break;
    case Kind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }

    QMessageBox::StandardButtons standard;
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
    switch (buttons) {
    case Buttons::Ok:
        standard = QMessageBox::Ok;
        escape = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    }
    box.setStandardButtons(standard);
    box.setEscapeButton(escape);
    const struct
    {
        QMessageBox::StandardButton button;
        QString text;
    } captions[] = {
        {QMessageBox::Ok, QApplication::translate("Messages", "OK", "IDS_BtnOK")},
        {QMessageBox::Cancel, QApplication::translate("Messages", "Cancel", "IDS_BtnCancel")},
        {QMessageBox::Yes, QApplication::translate("Messages", "&Yes", "IDS_BtnYes")},
        {QMessageBox::No, QApplication::translate("Messages", "&No", "IDS_BtnNo")},
    };
    for (const auto& c : captions) {
        if (QAbstractButton* b = box.button(c.button))
            b->setText(c.text);
    }

    switch (box.exec()) {
    case QMessageBox::Ok: return Result::Ok;
    case QMessageBox::Yes: return Result::Yes;
    case QMessageBox::No: return Result::No;
    case QMessageBox::Cancel: return Result::Cancel;
    default: break;
    }
    // Closed by other means (window manager): the escape answer.
    switch (buttons) {
    case Buttons::Ok: return Result::Ok;
    case Buttons::YesNo: return Result::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Result::Cancel;
    }
    return Result::Cancel;
}
