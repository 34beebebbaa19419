#pragma once

#include <QWidget>

class BesideOwner;
class QPushButton;
class QTextBrowser;

// The help document in a window of its own: a reader, and a Close button
// that Escape and Ctrl+W press too. It opens beside the window it was
// asked from, not over it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showDocument(const QString& path, const QWidget* beside);
    QTextBrowser* contents() const { return contents_; }
    QPushButton* closeButton() const { return closeButton_; }

private:
    QTextBrowser* contents_;
    QPushButton* closeButton_;
    BesideOwner* placement_;
};
