#pragma once

#include <QString>

#include <vector>

// The lines typed in the command area, oldest first, walked with Up and Down. Every entered
// line is kept, the failing ones too, so typed work is never lost; walking away from a line
// being typed keeps it as the draft that Down brings back.
class tCommandHistory {
public:
    // An entered line; an empty one, or one equal to the newest, is not kept twice.
    void Add(const QString& line);
    // The line one step older than the one shown; `current` is what the edit holds now.
    QString Older(const QString& current);
    // One step newer, ending at the draft.
    QString Newer(const QString& current);
    const std::vector<QString>& Lines() const { return lines_; }

private:
    std::vector<QString> lines_;
    size_t position_ = 0;  // lines_.size() while the draft is shown
    QString draft_;
};
