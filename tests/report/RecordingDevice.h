// SPDX-FileCopyrightText: 2026 The Corbelwright developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <vector>

#include "report/PageDevice.h"

namespace corbel::test {

// A page device that records every drawn run with its place and font. Characters
// advance 10 device units a point (80 at 8 points, as Courier New at 1200 dpi);
// a run is as high as its font's cell.
class RecordingDevice : public report::PageDevice {
  public:
    struct Run {
        int page;
        int x;
        int y;
        std::string text;
        report::ReportFont font;
    };

    // A4 at 1200 dpi, with the cell heights of Courier New there.
    RecordingDevice() = default;
    RecordingDevice(int width, int height, int cell8) : width_(width), height_(height) {
        cells_[8] = cell8;
    }

    bool beginDocument() override { return began = true; }
    bool newPage() override {
        ++page;
        return true;
    }
    bool endDocument() override { return ended = true; }
    void drawText(int x, int y, std::string_view text, const report::ReportFont& font) override {
        runs.push_back({page, x, y, std::string(text), font});
    }
    int textWidth(std::string_view text, const report::ReportFont& font) override {
        int characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        return characters * 10 * font.points;
    }
    int textHeight(std::string_view, const report::ReportFont& font) override {
        return cellHeight(font);
    }
    int cellHeight(const report::ReportFont& font) override { return cells_.at(font.points); }
    int pageWidth() override { return width_; }
    int pageHeight() override { return height_; }

    // The drawn lines, page by page: runs at the same height joined in order.
    std::vector<std::vector<std::string>> pages() const {
        std::vector<std::map<int, std::string>> byY(static_cast<std::size_t>(page) + 1);
        for (const Run& run : runs) {
            byY[static_cast<std::size_t>(run.page)][run.y] += run.text;
        }
        std::vector<std::vector<std::string>> result;
        for (const auto& lines : byY) {
            result.emplace_back();
            for (const auto& [y, text] : lines) {
                result.back().push_back(text);
            }
        }
        return result;
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        for (const auto& p : pages()) {
            all.insert(all.end(), p.begin(), p.end());
        }
        return all;
    }

    std::vector<Run> runs;
    int page = 0;
    bool began = false;
    bool ended = false;

  private:
    int width_ = 9583;
    int height_ = 13699;
    std::map<int, int> cells_{{8, 151}, {10, 189}, {12, 227}};
};

}  // namespace corbel::test
