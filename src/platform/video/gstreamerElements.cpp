#include "platform/video/gstreamerElements.h"

#include <dlfcn.h>

namespace {

// GStreamer's own calls, taken from the library Qt's player uses; opened only when a video
// is first shown.
struct tGstreamer {
    using tInitCheck = int (*)(int*, char***, void**);
    using tFactoryFind = void* (*)(const char*);
    using tObjectUnref = void (*)(void*);

    bool present = false;
    bool started = false;
    tFactoryFind factoryFind = nullptr;
    tObjectUnref objectUnref = nullptr;
};

const tGstreamer& gstreamer()
{
    static const tGstreamer loaded = [] {
        tGstreamer gst;
        void* library = ::dlopen("libgstreamer-1.0.so.0", RTLD_NOW | RTLD_GLOBAL);
        if (!library) return gst;
        gst.present = true;
        auto initCheck = reinterpret_cast<tGstreamer::tInitCheck>(::dlsym(library, "gst_init_check"));
        gst.factoryFind = reinterpret_cast<tGstreamer::tFactoryFind>(::dlsym(library, "gst_element_factory_find"));
        gst.objectUnref = reinterpret_cast<tGstreamer::tObjectUnref>(::dlsym(library, "gst_object_unref"));
        gst.started = initCheck && gst.factoryFind && gst.objectUnref && initCheck(nullptr, nullptr, nullptr);
        return gst;
    }();
    return loaded;
}

}  // namespace

bool gstreamerHasElements(std::initializer_list<const char*> elements)
{
    const tGstreamer& gst = gstreamer();
    if (!gst.present) return true;
    if (!gst.started) return false;
    for (const char* element : elements) {
        void* factory = gst.factoryFind(element);
        if (!factory) return false;
        gst.objectUnref(factory);
    }
    return true;
}

bool gstreamerCanPlayVideo()
{
    return gstreamerHasElements({"playbin", "uridecodebin", "videoconvert", "videoscale", "audioconvert"});
}
