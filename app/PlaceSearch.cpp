#include "PlaceSearch.h"

#include <QUrlQuery>

#include "platform/Platform.h"

namespace zodiora {

QUrl PlaceSearch::SearchUrl(const QString& query, const QString& siteUrl)
{
    const QUrl site(siteUrl);
    const QString host = site.host().isEmpty() ? siteUrl.trimmed() : site.host();
    QUrl url(QStringLiteral("https://duckduckgo.com/"));
    QUrlQuery params;
    params.addQueryItem(QStringLiteral("q"), host.isEmpty() ? query : query + QStringLiteral(" site:") + host);
    url.setQuery(params);
    return url;
}

void PlaceSearch::Present(const QString& query, const QString& siteUrl)
{
    platform_.openUrl(SearchUrl(query, siteUrl));
}

}  // namespace zodiora
