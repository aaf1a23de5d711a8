// example-files.js is written into the site when it is built (examples.cmake).

/** The names of the example sessions in examples/, in the order the Examples menu lists them. */
export const exampleFiles: string[];
