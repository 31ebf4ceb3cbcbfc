// The page's first script (put into index.html by the build): begins the work early.js describes.
import { early } from './early.js';

early(window);
