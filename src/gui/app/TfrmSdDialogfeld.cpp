#include "gui/app/TfrmSdDialogfeld.h"

#include "gui/app/HelpSystem.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSdDialogfeld::TfrmSdDialogfeld(QWidget* parent)
    : QDialog(parent)
    , TfrmSd(this)
{
    setSizeGripEnabled(false);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_main = new QWidget(this);
    m_main->setObjectName(QStringLiteral("pnlMain"));
    column->addWidget(m_main, 1);

    m_buttons = new QWidget(this);
    m_buttons->setObjectName(QStringLiteral("pnlButtons"));
    m_buttons->setFixedHeight(33);
    m_buttons->installEventFilter(this);
    column->addWidget(m_buttons);

    const auto makeButton = [this](const char* name) {
        auto* b = new QPushButton(m_buttons);
        b->setObjectName(QLatin1String(name));
        b->setFixedSize(75, 23);
        b->installEventFilter(this);
        return b;
    };
    m_ok = makeButton("btnOK");
    m_ok->setDefault(true);
    m_cancel = makeButton("btnAbbruch");
    m_help = makeButton("btnHilfe");
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this,
            [this] { HelpSystem::instance().showTopic(m_helpContext); });
    retranslate();
}

void TfrmSdDialogfeld::retranslate()
{
    m_ok->setText(tr("&OK"));
    m_cancel->setText(tr("&Cancel"));
    m_help->setText(tr("&Help"));
}

void TfrmSdDialogfeld::setHelpContext(int topic)
{
    m_helpContext = topic;
    HelpSystem::setHelpContext(this, topic);
}

QList<int> TfrmSdDialogfeld::layoutButtons(const QList<ButtonSlot>& buttons, int formWidth)
{
    constexpr int gap = 10;
    QList<int> order; // input indexes, left to right
    for (int i = 0; i < buttons.size(); ++i) {
        if (!order.isEmpty() && buttons[i].tag > buttons[order.first()].tag)
            order.prepend(i);
        else
            order.append(i);
    }
    QList<int> lefts(buttons.size(), 0);
    const int n = int(order.size());
    if (n == 0)
        return lefts;
    int firstRight; // the first button right of the middle
    if (n % 2 == 1) {
        const int mid = n / 2;
        lefts[order[mid]] = (formWidth - buttons[order[mid]].width) / 2;
        firstRight = mid + 1;
        for (int k = mid - 1; k >= 0; --k)
            lefts[order[k]] = lefts[order[k + 1]] - gap - buttons[order[k]].width;
    } else {
        const int leftMid = n / 2 - 1;
        const int centre = formWidth / 2;
        lefts[order[leftMid]] = centre - gap / 2 - buttons[order[leftMid]].width;
        lefts[order[leftMid + 1]] = centre + gap / 2;
        firstRight = leftMid + 2;
        for (int k = leftMid - 1; k >= 0; --k)
            lefts[order[k]] = lefts[order[k + 1]] - gap - buttons[order[k]].width;
    }
    for (int k = firstRight; k < n; ++k)
        lefts[order[k]] = lefts[order[k - 1]] + buttons[order[k - 1]].width + gap;
    return lefts;
}

void TfrmSdDialogfeld::relayoutButtons()
{
    QList<QWidget*> visible;
    QList<ButtonSlot> slots_;
    for (QObject* child : m_buttons->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isHidden())
            continue;
        visible.append(w);
        slots_.append({w->width(), w->property("tag").toInt()});
    }
    const QList<int> lefts = layoutButtons(slots_, width());
    for (int i = 0; i < visible.size(); ++i)
        visible[i]->move(lefts[i], (m_buttons->height() - visible[i]->height()) / 2);
}

void TfrmSdDialogfeld::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    relayoutButtons();
}

void TfrmSdDialogfeld::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    relayoutButtons();
}

bool TfrmSdDialogfeld::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide
         || event->type() == QEvent::Resize)
        && watched->parent() == m_buttons)
        relayoutButtons();
    return QDialog::eventFilter(watched, event);
}

void TfrmSdDialogfeld::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
