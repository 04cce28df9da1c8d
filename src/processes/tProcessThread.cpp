#include "processes/tProcessThread.h"

#include <pthread.h>

#include <memory>
#include <system_error>

namespace {

void* runBody(void* raw)
{
    std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(raw));
    (*body)();
    return nullptr;
}

void check(int error, const char* what)
{
    if (error != 0)
        throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

void startProcessThread(std::function<void()> body, std::size_t stackSize)
{
    pthread_attr_t attributes;
    check(pthread_attr_init(&attributes), "pthread_attr_init");
    std::unique_ptr<pthread_attr_t, int (*)(pthread_attr_t*)> release(&attributes, pthread_attr_destroy);
    check(pthread_attr_setstacksize(&attributes, stackSize), "pthread_attr_setstacksize");
    check(pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED), "pthread_attr_setdetachstate");

    auto owned = std::make_unique<std::function<void()>>(std::move(body));
    pthread_t thread;
    check(pthread_create(&thread, &attributes, runBody, owned.get()), "pthread_create");
    owned.release();
}
