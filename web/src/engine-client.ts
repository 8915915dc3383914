// The page's side of the engine worker: one request at a time answered as a promise, the time
// it has taken, and Cancel, which ends the worker and starts a fresh one with the project that
// was open reopened in it.
import type { Envelope, Reply, Request } from './protocol';

export class Cancelled extends Error {
  constructor() {
    super('cancelled');
  }
}

export class EngineClient {
  private worker: Worker;
  private nextId = 1;
  private pending = new Map<number, { resolve: (v: string) => void; reject: (e: Error) => void }>();
  private lastOpen: Request | null = null;
  // The requests answered that show the page working.
  private shownPending = 0;

  constructor(private readonly onBusy: (busy: boolean) => void) {
    this.worker = this.start();
  }

  // The answer to `request`; the page shows that it is working meanwhile, except while it asks
  // for the text under the pointer, hands on a keystroke in an entry form or the pointer of the
  // drawing mode (which says so on the drawing itself).
  async ask<T>(request: Request): Promise<T> {
    if (request.op === 'open') this.lastOpen = request;
    const shown = request.op !== 'pick' && request.op !== 'edit.type' && request.op !== 'draw.pointer';
    if (shown && this.shownPending++ === 0) this.onBusy(true);
    try {
      return JSON.parse(await this.send(request)) as T;
    } finally {
      if (shown && --this.shownPending === 0) this.onBusy(false);
    }
  }

  // What a fresh worker is given after Cancel in place of the project last opened: the edited
  // project with its history.
  keepForRestart(request: Request): void {
    this.lastOpen = request;
  }

  // Ends whatever the engine is doing; the project last opened is opened again, unanalysed.
  cancel(): void {
    this.worker.terminate();
    for (const { reject } of this.pending.values()) reject(new Cancelled());
    this.pending.clear();
    this.worker = this.start();
    if (this.lastOpen) void this.send(this.lastOpen).catch(() => undefined);
    this.onBusy(false);
  }

  private start(): Worker {
    const worker = new Worker('engine-worker.js');
    worker.onmessage = (event: MessageEvent<Reply>) => {
      const reply = event.data;
      const waiting = this.pending.get(reply.id);
      if (!waiting) return;
      this.pending.delete(reply.id);
      if (reply.ok) waiting.resolve(reply.value);
      else waiting.reject(new Error(reply.error));
    };
    worker.onerror = (event) => {
      event.preventDefault();
      for (const { reject } of this.pending.values()) reject(new Error(event.message));
      this.pending.clear();
    };
    return worker;
  }

  private send(request: Request): Promise<string> {
    const id = this.nextId++;
    const envelope: Envelope = { id, request };
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject });
      this.worker.postMessage(envelope);
    });
  }
}
