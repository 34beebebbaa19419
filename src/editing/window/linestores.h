#pragma once

#include "editing/linesteps.h"

class TListBox;
class TMemo;

// The text area's lines, as the history changes them.
class MemoLines : public LineStore {
public:
    explicit MemoLines(TMemo& memo) : memo_(memo) {}
    int lineCount() const override;
    QString line(int row) const override;
    void setLine(int row, const QString& text) override;
    void insertLines(int row, const QStringList& lines) override;
    void removeLines(int row, int count) override;
    void moveLine(int from, int to) override;
    bool endsWithBreak() const override;
    void setEndsWithBreak(bool ends) override;

private:
    TMemo& memo_;
};

// The list's rows, as the history changes them.
class ListLines : public LineStore {
public:
    explicit ListLines(TListBox& list) : list_(list) {}
    int lineCount() const override;
    QString line(int row) const override;
    void setLine(int row, const QString& text) override;
    void insertLines(int row, const QStringList& lines) override;
    void removeLines(int row, int count) override;
    void moveLine(int from, int to) override;
    bool endsWithBreak() const override { return true; }
    void setEndsWithBreak(bool) override {}

private:
    TListBox& list_;
};
