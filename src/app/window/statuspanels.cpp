#include "app/window/statuspanels.h"

#include <QLabel>

StatusPanels::StatusPanels(const QVector<int>& widths, QWidget* parent) : QStatusBar(parent)
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

QString StatusPanels::panelText(int index) const
{
    return panels_.at(index)->text();
}

void StatusPanels::setPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
    // A new name is announced to screen readers as a change of the panel.
    if (speech_.at(index))
        panels_.at(index)->setAccessibleName(speech_.at(index)(text));
}

void StatusPanels::setPanelSpeech(int index, Speech speech, const QString& description)
{
    speech_[index] = std::move(speech);
    panels_.at(index)->setAccessibleName(speech_.at(index)(panels_.at(index)->text()));
    panels_.at(index)->setAccessibleDescription(description);
}
