#pragma once

#include <QDialog>

// The About box: the program's name, version and pictures, and OK. Its
// controls keep the names they are known by (ProductName, Version,
// OKButton...) as object names.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};
