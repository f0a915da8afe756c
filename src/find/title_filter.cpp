#include "title_filter.h"

#include <numeric>
#include <utility>

#include "common/text_scan.h"

bool titleContains(std::string_view title, std::string_view text) {
    return text.empty() || gbk::findOccurrence(title, text, 0, true) != std::string_view::npos;
}

TitleFilter::TitleFilter(std::vector<Text> titles)
    : titles_(std::move(titles)), rows_(titles_.size()) {
    std::iota(rows_.begin(), rows_.end(), 0);
}

const std::vector<std::int32_t>& TitleFilter::keep(std::string_view text) {
    // A title containing `text` contains every text that `text` contains.
    const bool narrows = titleContains(text, text_);
    std::vector<std::int32_t> kept;
    auto consider = [&](std::int32_t row) {
        if (titleContains(titles_[static_cast<std::size_t>(row)], text)) {
            kept.push_back(row);
        }
    };
    if (narrows) {
        for (const std::int32_t row : rows_) {
            consider(row);
        }
    } else {
        for (std::size_t row = 0; row < titles_.size(); ++row) {
            consider(static_cast<std::int32_t>(row));
        }
    }
    rows_ = std::move(kept);
    text_ = text;
    return rows_;
}
