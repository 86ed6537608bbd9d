#pragma once

#include <mpv/client.h>
#include <mpv/render.h>

#include <memory>

// Owners of libmpv's C handles. A render context must be freed before the core it belongs to:
// declare the MpvRenderContext after the MpvHandle, so it is destroyed first.
struct MpvHandleDeleter {
  void operator()(mpv_handle* handle) const { mpv_terminate_destroy(handle); }
};
using MpvHandle = std::unique_ptr<mpv_handle, MpvHandleDeleter>;

struct MpvRenderContextDeleter {
  void operator()(mpv_render_context* context) const { mpv_render_context_free(context); }
};
using MpvRenderContext = std::unique_ptr<mpv_render_context, MpvRenderContextDeleter>;

// A string libmpv allocated.
struct MpvStringDeleter {
  void operator()(char* text) const { mpv_free(text); }
};
using MpvString = std::unique_ptr<char, MpvStringDeleter>;
