// The HttpProbe port over libcurl: one easy handle a request, no redirects followed, the
// body of a GET left unread once its status is known.
#pragma once

#include "core/platform/HttpProbe.h"

namespace velto {

class CurlHttpProbe final : public HttpProbe {
public:
    CurlHttpProbe();
    [[nodiscard]] HttpAnswer Send(const HttpRequest& request) override;
};

} // namespace velto
