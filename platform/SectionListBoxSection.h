#pragma once

#include "SectionListBox.h"
#include "SectionText.h"

// What TSectionListBox keeps of one section: its content and where it was last laid out.
namespace platform {

struct TSectionListBox::Section
{
    QString caption;
    int image = -1;
    QColor colour;
    QStringList details;
    bool expanded = false;

    // Laid out by relayout(), in content coordinates (0 = top of the first section).
    int top = 0;
    int height = 0;
    int captionHeight = 0;
    std::vector<int> detailTops; // from the section's top
    std::unique_ptr<TWrappedText> captionText;
    std::vector<std::unique_ptr<TWrappedText>> detailTexts; // only while expanded
};

// Horizontal layout shared by drawing and hit tests.
namespace sectionlist {
constexpr int LeftMargin = 2;
constexpr int RightMargin = 4;
constexpr int ImageSize = 14;
constexpr int GlyphSize = 9;
constexpr int DetailsBottomPadding = 3;
} // namespace sectionlist

} // namespace platform
