// viz.js is Graphviz as @viz-js/viz ships it (web/node_modules), copied into the site when it is
// built; its types are the package's.

export * from '@viz-js/viz';
