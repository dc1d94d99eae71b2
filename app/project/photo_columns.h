#pragma once

// Column numbers of the photo tables (the imported photos and one import batch share the first
// 20) and of the template class and candidate tables, for code that reads them by meaning.
namespace velumo {

namespace photo_column {
inline constexpr int kNumber = 0;
inline constexpr int kPath = 1;
inline constexpr int kName = 2;
inline constexpr int kType = 3;
inline constexpr int kWidth = 4;
inline constexpr int kHeight = 5;
inline constexpr int kOrientation = 6;     // "heng_zhao" or "shu_zhao"
inline constexpr int kInstance = 7;        // template instance number
inline constexpr int kTemplateIndex = 8;   // catalogue index of the template
inline constexpr int kTrace = 9;           // how the template was drawn; empty: not yet
inline constexpr int kTemplatePhotos = 10; // photos the template takes
inline constexpr int kSlotName = 11;       // "picture_" + slot number
inline constexpr int kMoviePackage = 12;
inline constexpr int kSlotWidth = 13;
inline constexpr int kSlotHeight = 14;
inline constexpr int kSlotWidths = 15;
inline constexpr int kSlotHeights = 16;
inline constexpr int kSlotOrientations = 17;
inline constexpr int kSlotPictureNames = 18;
inline constexpr int kTotalFrames = 19;
inline constexpr int kThumbnailMark = 20; // "jiancai_no" until the thumbnail exists
inline constexpr int kFittingMark = 21;   // "jiancai_no" until the slot photo exists
inline constexpr int kBatchColumns = 20;
} // namespace photo_column

namespace template_column {
inline constexpr int kPhotoCount = 2;
inline constexpr int kSlotWidths = 3;
inline constexpr int kSlotHeights = 4;
inline constexpr int kSlotOrientations = 5;
inline constexpr int kSlotPictureNames = 6;
inline constexpr int kMoviePackage = 7;
inline constexpr int kCatalogueIndex = 9;
inline constexpr int kLandscapeSlots = 10;
inline constexpr int kPortraitSlots = 11;
inline constexpr int kTotalFrames = 12;
} // namespace template_column

} // namespace velumo
