// The game's pictures decoded by the browser: fetched from the site, decoded without any
// colour conversion, and read back as RGBA for the module to copy into its plane.

export class Pictures {
  constructor(face) {
    this.face = face;
    this.width = 0;
    this.height = 0;
    this.pixels = null;
    this.canvas = document.createElement('canvas');
    this.context = this.canvas.getContext('2d', { willReadFrequently: true });
  }

  // 0 with the picture kept for take(), or 1 with the reason in face.reason; never rejects.
  async decode(url) {
    try {
      const response = await fetch(url);
      if (!response.ok) {
        this.face.reason = `${url}: ${response.status} ${response.statusText}`.trim();
        return 1;
      }
      const bitmap = await createImageBitmap(await response.blob(),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      this.width = bitmap.width;
      this.height = bitmap.height;
      this.canvas.width = bitmap.width;
      this.canvas.height = bitmap.height;
      this.context.drawImage(bitmap, 0, 0);
      bitmap.close();
      this.pixels = this.context.getImageData(0, 0, this.width, this.height).data;
      return 0;
    } catch (error) {
      this.face.reason = `${url}: ${error?.message ?? error}`;
      return 1;
    }
  }

  take(heap, at) {
    heap.set(this.pixels, at);
    this.pixels = null;
  }
}
