// JPEG through libjpeg(-turbo). Damaged data is a failure, not a picture with
// grey blocks: libjpeg's warnings about corrupt or missing data end decoding.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <new>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureLimits.h"
#include "platform/picture/PixelPacking.h"

namespace fl {
namespace {

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so that cinfo->err points at the whole record
  std::jmp_buf jump;
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

// Level -1 is a warning. Those that say data is corrupt or missing fail;
// extraneous bytes before a marker (common in camera files, the picture is
// intact) and header oddities that do not touch the pixels are let through.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  switch (cinfo->err->msg_code) {
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
      return;
    default:
      Fail(cinfo);
  }
}

// Every scan of a progressive file passes over the whole picture; a file of
// thousands of tiny scans would keep us busy for minutes.
void OnProgress(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans) Fail(cinfo);
}

// CMYK as libjpeg hands it over, in the 32-bit slots, to 0xAARRGGBB. Adobe's
// files store the channels inverted.
void CmykToArgbInPlace(std::vector<std::uint32_t>& pixels, bool inverted) {
  for (std::uint32_t& slot : pixels) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&slot);
    std::uint32_t c = bytes[0], m = bytes[1], y = bytes[2], k = bytes[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    slot = 0xFF000000u | ((c * k + 127) / 255) << 16 | ((m * k + 127) / 255) << 8 | ((y * k + 127) / 255);
  }
}

// All libjpeg calls happen here; this frame holds only plain values so that a
// jump back to it skips no destructor. The buffers belong to the caller.
bool ReadJpeg(jpeg_decompress_struct& cinfo, JpegErrors& errors, jpeg_progress_mgr& progress,
              std::span<const std::uint8_t> bytes, Picture& picture, bool& cmyk) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxJpegMemoryBytes;
  progress.progress_monitor = OnProgress;
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);

  const std::int64_t width = cinfo.image_width;
  const std::int64_t height = cinfo.image_height;
  if (!PictureSizeAllowed(width, height)) return false;
  if (width * height > static_cast<std::int64_t>(bytes.size()) * kMaxPixelsPerCompressedByte) return false;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
      cinfo.out_color_space = JCS_EXT_RGBX;
      cmyk = false;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      cmyk = true;
      break;
    default:
      return false;
  }

  jpeg_start_decompress(&cinfo);
  if (cinfo.output_width != width || cinfo.output_height != height || cinfo.output_components != 4)
    return false;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(static_cast<std::size_t>(width * height));
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(picture.pixels.data() + std::size_t{cinfo.output_scanline} * width);
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
  }
  // The trailing markers are not read: a file that lacks only its end marker
  // still holds the whole picture.
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) return std::nullopt;
  jpeg_decompress_struct cinfo{};
  JpegErrors errors{};
  cinfo.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = Fail;
  errors.manager.emit_message = OnMessage;
  jpeg_progress_mgr progress{};
  Picture picture;
  bool cmyk = false;
  bool ok = false;
  try {
    ok = ReadJpeg(cinfo, errors, progress, bytes, picture, cmyk);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  const bool inverted = cinfo.saw_Adobe_marker != 0;
  jpeg_destroy_decompress(&cinfo);
  if (!ok) return std::nullopt;
  if (cmyk)
    CmykToArgbInPlace(picture.pixels, inverted);
  else
    PackRgbaInPlace(picture.pixels);
  return picture;
}

}  // namespace fl
