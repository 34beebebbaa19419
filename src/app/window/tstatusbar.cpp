#include "app/window/tstatusbar.h"

#include <QLabel>

TStatusBar::TStatusBar(const QVector<int>& widths, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int width : widths) {
        auto* panel = new StatusPanel(this);
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel);
        panels_.append(panel);
        speech_.append(nullptr);
    }
}

QString TStatusBar::panelText(int index) const
{
    return panels_.at(index)->text();
}

void TStatusBar::setPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
    // A new name is announced to screen readers as a change of the panel.
    if (speech_.at(index))
        panels_.at(index)->setAccessibleName(speech_.at(index)(text));
}

void TStatusBar::setPanelSpeech(int index, Speech speech, const QString& description)
{
    speech_[index] = std::move(speech);
    panels_.at(index)->setAccessibleName(speech_.at(index)(panels_.at(index)->text()));
    panels_.at(index)->setAccessibleDescription(description);
}
