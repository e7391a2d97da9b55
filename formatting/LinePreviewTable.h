#pragma once

// The library of line-sample pictures of the main window and the line
// picks of the line-style chooser. Each library picture is one static
// object: a preview box "shows" a library picture when it holds a pointer
// to that very object.

#include <span>
#include <string_view>

namespace dorvane::formatting {

struct FormatSettings;

struct LinePicture {
    std::string_view name;       // "Picture9"
    std::string_view identity;   // "Form4.Picture9.Picture"
    std::string_view styleName;  // "wdLineStyleDot"
    std::string_view styleCode;  // "2"; for the no-line picture see StyleCode
    std::string_view widthName;  // "wdLineWidth025pt"; "" for the no-line picture
    std::string_view widthCode;  // "2"; "" for the no-line picture

    bool IsNoLine() const { return widthCode.empty(); }
    // The style code a line group takes from this picture: the no-line
    // picture gives "0", except "" for the left-and-right group (2).
    std::string_view StyleCode(int group) const;
};

// The nineteen library pictures, Picture1, Picture2, Picture4..Picture18,
// Picture20, Picture24, in that order.
std::span<const LinePicture> LinePreviewTable();

// The library picture with this exact identity text (case-sensitive, no
// trimming), or nullptr.
const LinePicture* FindLinePictureByIdentity(std::string_view identity);
// The library picture with this name ("Picture24"), or nullptr.
const LinePicture* FindLinePictureByName(std::string_view name);

// Shows a library picture in a group's preview box and sets the group's
// line fields from it; the no-line picture leaves the width as it was.
// This is what a pick in the chooser and loading a scheme both do.
void ApplyLinePicture(FormatSettings& settings, int group, const LinePicture& picture);

// One option button of the line-style chooser.
struct LinePick {
    int group;                   // 1 top/bottom, 2 left/right, 3 inside
    std::string_view option;     // "Option38"
    const LinePicture* picture;  // the library picture shown after the pick

    std::string_view StyleCode() const { return picture->StyleCode(group); }
    // The width code set by the pick; "" for a no-line pick, which leaves
    // the width unchanged.
    std::string_view WidthCode() const { return picture->widthCode; }
};

// Every pick, group by group, each group in frame order: seven single
// lines, seven dotted lines, the double lines (groups 1 and 2), no line.
std::span<const LinePick> LinePicks();
// The picks of one group in frame order.
std::span<const LinePick> LinePicksOfGroup(int group);
// The pick of an option button by its name, or nullptr.
const LinePick* FindLinePick(std::string_view option);

// Applies a pick: the group's preview box shows the pick's library
// picture, then its style and (unless no line) width fields are set.
void ApplyLinePick(FormatSettings& settings, const LinePick& pick);

}  // namespace dorvane::formatting
