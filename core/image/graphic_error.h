#pragma once
// Errors raised while reading images. The texts are shown to the user in a
// message box by whoever loads a skin, so they stay fixed.

#include <stdexcept>
#include <string>

namespace zelvan::image {

// A picture could not be read (the invalid-graphic error).
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The colour manager was asked for a conversion it cannot make.
class EColorConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace messages {
inline const std::string kInvalidFormat = "Cannot load image. Invalid or unexpected PNG image format.";
inline const std::string kCompressionNotSupported =
    "Cannot load image. The compression scheme is not supported for PNG files.";
inline const std::string kCrcError = "Cannot load image. CRC error found in PNG file.";
inline const std::string kInvalidPalette = "Cannot load image. Palette in PNG file is invalid.";
inline const std::string kInvalidColorFormat = "Invalid color format in PNG file.";
inline const std::string kCompressionError = "Cannot load image. Compression error found in PNG file.";
inline const std::string kExtraCompressedData =
    "Cannot load image. Extra compressed data found in PNG file.";
inline const std::string kUnknownCriticalChunk =
    "Cannot load PNG image. Unexpected but critical chunk detected.";
inline const std::string kLZ77Error = "LZ77 decompression error.";
inline const std::string kIndexedMix =
    "Conversion between indexed and non-indexed pixel formats is not supported.";
inline const std::string kNoConversion = "Color conversion failed. Could not find a proper method.";
inline const std::string kInvalidDepth = "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
inline const std::string kInvalidSampleCount =
    "Sample count per pixel does not correspond to the given color scheme.";
}  // namespace messages

}  // namespace zelvan::image
