// Opening a web address with the desktop's opener.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool open_web_address(std::string_view address) {
    auto& state = qt::host();
    if (state.record_web_addresses) {
        state.web_addresses.emplace_back(address);
        return true;
    }
    const QUrl url(qt::from_cp936(address));
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}

} // namespace platform
