#pragma once

#include <QObject>
#include <QWidgetList>

class Application;
class BuildList;
class QPushButton;
class QWidget;

// The edit mode and its button: Normal mode edits the text, Lines mode
// moves whole lines in a list. A change of mode is told in three turns, so
// that each view can do its part in order: the views get ready, the one
// for the new mode shows itself and takes the keys, and the other hides.
class ModeSwitch : public QObject {
    Q_OBJECT
public:
    ModeSwitch(Application& app, BuildList& document, QWidget* client);

    QWidgetList focusOrder() const;
    bool linesMode() const { return linesMode_; }

    void switchMode();
    void editNormal();
    void editLines();
    // Normal mode at once, with nothing carried over from the list: a
    // fresh build list, or one being read.
    void startNormal();

signals:
    void modeChanging(bool lines);
    void modeShowing(bool lines);
    void modeShown(bool lines);

private:
    void enterMode(bool lines);

    BuildList& document_;
    QPushButton* modeButton = nullptr;
    bool linesMode_ = false;
};
