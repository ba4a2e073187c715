#include "app/PlaceSearch.h"

#include <QUrlQuery>

#include "app/platform/Platform.h"

namespace zodiora {

QUrl PlaceSearch::searchUrl(const QString& query, const QString& siteUrl)
{
    const QUrl site(siteUrl);
    const QString host = site.host().isEmpty() ? siteUrl.trimmed() : site.host();
    QUrl url(QStringLiteral("https://duckduckgo.com/"));
    QUrlQuery params;
    params.addQueryItem(QStringLiteral("q"), host.isEmpty() ? query : query + QStringLiteral(" site:") + host);
    url.setQuery(params);
    return url;
}

void PlaceSearch::present(const QString& query, const QString& siteUrl)
{
    platform_.openUrl(searchUrl(query, siteUrl));
}

}  // namespace zodiora
