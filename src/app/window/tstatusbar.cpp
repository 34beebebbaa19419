#include "app/window/tstatusbar.h"

#include <QLabel>

TStatusBar::TStatusBar(const QVector<int>& widths, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel);
        panels_.append(panel);
    }
}

QString TStatusBar::panelText(int index) const
{
    return panels_.at(index)->text();
}

void TStatusBar::setPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
}

void TStatusBar::setPanelAccessibleName(int index, const QString& name, const QString& description)
{
    panels_.at(index)->setAccessibleName(name);
    panels_.at(index)->setAccessibleDescription(description);
}
