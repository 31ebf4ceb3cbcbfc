// The page's first script (js/early.js in the site): begins the work early.js describes.
import { early } from './early.js';

early(window);
