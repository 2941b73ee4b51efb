#ifndef ZELVAN_CORE_IMAGE_JPEG_DECODE_H
#define ZELVAN_CORE_IMAGE_JPEG_DECODE_H
/* The one place where libjpeg runs. Its errors leave through longjmp, so this
 * is plain C that owns nothing a longjmp could skip: every failure ends in
 * jpeg_destroy_decompress and a message in the caller's buffer. */

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Reads the header of a JPEG held in memory. With pixels null only *width
 * and *height are filled. Otherwise the image is decoded into pixels as
 * B, G, R, A rows (A = 255), stride bytes apart; the caller has checked the
 * size from a header-only call and passes it in *width and *height, and a
 * different size is an error. Returns 1 on success, 0 with message filled. */
int zelvan_jpeg_decode(const unsigned char* data, size_t size, unsigned char* pixels, size_t stride, int* width,
                       int* height, char* message, size_t message_size);

#ifdef __cplusplus
}
#endif

#endif
