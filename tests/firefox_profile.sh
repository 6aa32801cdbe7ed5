# Sourced by the scripts that start Firefox as a player does.
# firefox_profile FOLDER LANGUAGES: a fresh profile that asks pages for LANGUAGES ("es"), with no
# first-run pages or tabs (a fresh profile opens its privacy notice in a new tab a few seconds
# in, which a screen reader announces; and it loads a hidden New Tab page in the background, whose
# "Finished loading" can take a screen reader's place in the page from under it) and nothing of
# the browser's own reaching for the network.
firefox_profile() {
    mkdir -p "$1"
    cat > "$1/user.js" <<PREFS
user_pref("intl.accept_languages", "$2");
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("trailhead.firstrun.didSeeAboutWelcome", true);
user_pref("startup.homepage_welcome_url", "");
user_pref("startup.homepage_welcome_url.additional", "");
user_pref("browser.startup.firstrunSkipsHomepage", true);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.newtab.preload", false);
user_pref("browser.newtabpage.enabled", false);
user_pref("app.update.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("extensions.update.enabled", false);
PREFS
}
