// The functions the WebAssembly module exports; JavaScript calls them with ccall or cwrap and
// copies the text out before the next call.
#include "web/module/module_requests.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The last answer stays here until the next call replaces it.
std::string& lastAnswer() {
    static std::string text;
    return text;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* quillon_catalogue() {
    lastAnswer() = quillon::web::catalogueJson();
    return lastAnswer().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillon_evaluate(const char* request) {
    lastAnswer() = quillon::web::answerRequest(request == nullptr ? "" : request);
    return lastAnswer().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillon_search(const char* request) {
    lastAnswer() = quillon::web::searchRequest(request == nullptr ? "" : request);
    return lastAnswer().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillon_paste(const char* request) {
    lastAnswer() = quillon::web::pasteRequest(request == nullptr ? "" : request);
    return lastAnswer().c_str();
}
}
