// Where Save puts the project. A file opened through the browser's file picker is written back
// where it came from; a browser that offers a save dialog with write access asks where to put a
// project that has no such file (and keeps the file it names for the next Save); any other
// browser downloads the file. Each way is tried in turn until one is allowed: a browser that
// refuses to write back asks where to save instead, and a dialog the user cancels saves nothing.
export type SaveWay = 'write back' | 'save as' | 'download';

export interface SaveStep {
  way: SaveWay;
  // The file's name: the opened file's own when written back, else the name the engine gives it.
  name: string;
}

// `opened`: the name of the file whose handle the page keeps (opened or saved through the
// browser's pickers), or null; `pickers`: whether the browser offers its save dialog with write
// access; `suggested`: the engine's name for the file.
export function saveSteps(opened: string | null, pickers: boolean, suggested: string): SaveStep[] {
  if (!pickers) return [{ way: 'download', name: suggested }];
  const asked: SaveStep = { way: 'save as', name: opened ?? suggested };
  return opened === null ? [asked] : [{ way: 'write back', name: opened }, asked];
}
