#include "tools/common/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace zelvan::jpeg {

std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality) {
  JpegOptions options;
  options.quality = quality;
  return EncodeJpeg(rgb, width, height, options);
}

std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, const JpegOptions& options) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  // Errors end the process through libjpeg's default handler: the input is ours.
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.write_JFIF_header = TRUE;
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (options.gray) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
  if (options.progressive) jpeg_simple_progression(&cinfo);
  cinfo.arith_code = options.arithmetic ? TRUE : FALSE;
  cinfo.restart_in_rows = static_cast<int>(options.restartRows);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&rgb[static_cast<size_t>(cinfo.next_scanline) * static_cast<size_t>(width) * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

std::vector<uint8_t> WithLastScanRepeated(const std::vector<uint8_t>& jpeg, int times) {
  size_t last = 0;  // the last start-of-scan marker; the scan runs to the end-of-image marker
  for (size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) last = i;
  const std::vector<uint8_t> scan(jpeg.begin() + static_cast<long>(last), jpeg.end() - 2);
  std::vector<uint8_t> out(jpeg.begin(), jpeg.end() - 2);
  for (int i = 0; i < times; ++i) out.insert(out.end(), scan.begin(), scan.end());
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

}  // namespace zelvan::jpeg
