#include "platform/window/commandHistory.h"

void tCommandHistory::Add(const QString& line)
{
    if (!line.trimmed().isEmpty() && (lines_.empty() || lines_.back() != line)) lines_.push_back(line);
    position_ = lines_.size();
    draft_.clear();
}

QString tCommandHistory::Older(const QString& current)
{
    if (position_ == 0) return current;
    if (position_ == lines_.size()) draft_ = current;
    return lines_[--position_];
}

QString tCommandHistory::Newer(const QString& current)
{
    if (position_ >= lines_.size()) return current;
    ++position_;
    return position_ == lines_.size() ? draft_ : lines_[position_];
}
