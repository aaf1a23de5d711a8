// languages.js is written into the site when it is built (translations.cmake).

/** The languages the page has translations for, by their codes ('de', 'fr', …); English is not
 * among them. */
export const languages: string[];
