#include "core/image/jpeg_decode.h"

#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include <jpeglib.h>

/* Progressive files can hold thousands of tiny scans; a real image has a few dozen. */
#define ZELVAN_JPEG_MAX_SCANS 1000

struct zelvan_jpeg_error {
  struct jpeg_error_mgr base;
  jmp_buf escape;
  int too_many_scans;
};

static void zelvan_jpeg_error_exit(j_common_ptr cinfo) {
  struct zelvan_jpeg_error* error = (struct zelvan_jpeg_error*)cinfo->err;
  longjmp(error->escape, 1);
}

/* Warnings (corrupt but readable data) are not fatal and never printed. */
static void zelvan_jpeg_output_message(j_common_ptr cinfo) { (void)cinfo; }

static void zelvan_jpeg_progress(j_common_ptr cinfo) {
  j_decompress_ptr d = (j_decompress_ptr)cinfo;
  if (d->input_scan_number > ZELVAN_JPEG_MAX_SCANS) {
    ((struct zelvan_jpeg_error*)cinfo->err)->too_many_scans = 1;
    zelvan_jpeg_error_exit(cinfo);
  }
}

int zelvan_jpeg_decode(const unsigned char* data, size_t size, unsigned char* pixels, size_t stride, int* width,
                       int* height, char* message, size_t message_size) {
  struct jpeg_decompress_struct cinfo;
  struct zelvan_jpeg_error error;
  struct jpeg_progress_mgr progress;

  memset(&cinfo, 0, sizeof cinfo);
  memset(&error, 0, sizeof error);
  memset(&progress, 0, sizeof progress);
  cinfo.err = jpeg_std_error(&error.base);
  error.base.error_exit = zelvan_jpeg_error_exit;
  error.base.output_message = zelvan_jpeg_output_message;
  if (setjmp(error.escape)) {
    if (error.too_many_scans) {
      snprintf(message, message_size, "JPEG image has too many scans");
    } else {
      char text[JMSG_LENGTH_MAX];
      (*cinfo.err->format_message)((j_common_ptr)&cinfo, text);
      snprintf(message, message_size, "%s", text);
    }
    jpeg_destroy_decompress(&cinfo);
    return 0;
  }
  jpeg_create_decompress(&cinfo);
  progress.progress_monitor = zelvan_jpeg_progress;
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, data, (unsigned long)size);
  jpeg_read_header(&cinfo, TRUE);
  if (pixels == NULL) {
    *width = (int)cinfo.image_width;
    *height = (int)cinfo.image_height;
    jpeg_destroy_decompress(&cinfo);
    return 1;
  }
  if ((int)cinfo.image_width != *width || (int)cinfo.image_height != *height) {
    snprintf(message, message_size, "JPEG image size changed while reading");
    jpeg_destroy_decompress(&cinfo);
    return 0;
  }
  cinfo.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&cinfo);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = pixels + (size_t)cinfo.output_scanline * stride;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break; /* cannot happen with a memory source */
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return 1;
}
