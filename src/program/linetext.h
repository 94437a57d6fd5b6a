// A program's lines held in one text with the end of each line, as the preview hands a copy of
// the output box to its reader: a million lines are one buffer and an index, not a million
// strings each with its own allocation.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qorix::program {

class LineText {
public:
    void reserve(std::size_t lines, std::size_t bytes) {
        ends_.reserve(lines);
        text_.reserve(bytes);
    }
    void push_back(std::string_view line) {
        text_ += line;
        ends_.push_back(text_.size());
    }
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;  // one past each line's last character
};

// The lines as the reader takes them, from either form, without copying them.
class LineSpan {
public:
    LineSpan(const std::vector<std::string_view>& views)
        : views_(views.data()), size_(views.size()) {}
    LineSpan(const LineText& text) : text_(&text), size_(text.size()) {}
    std::size_t size() const { return size_; }
    std::string_view operator[](std::size_t i) const { return text_ ? (*text_)[i] : views_[i]; }

private:
    const std::string_view* views_ = nullptr;
    const LineText* text_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace qorix::program
