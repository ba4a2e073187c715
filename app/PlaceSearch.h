#pragma once

#include <QString>
#include <QUrl>

namespace zodiora {

class Platform;

/// Our stand-in for a place-coordinates search: a web search for the query
/// in the user's browser, limited to the given site.
class PlaceSearch {
public:
    explicit PlaceSearch(Platform& platform) : platform_(platform) {}

    /// The search address: the query, then "site:" and the host of `siteUrl`
    /// (the whole text when it has no host).
    static QUrl searchUrl(const QString& query, const QString& siteUrl);

    /// Opens searchUrl(query, siteUrl) in the browser; the outcome is ignored.
    void present(const QString& query, const QString& siteUrl);

private:
    Platform& platform_;
};

}  // namespace zodiora
